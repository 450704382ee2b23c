// The console's scrollback and the pending output between the pipe reader and the screen.

#include "platform/scrollback.h"

#include <gtest/gtest.h>

#include <string>
#include <thread>

#include "platform/pending_output.h"

namespace qu {
namespace {

std::string numberedLines(int from, int to) {
  std::string text;
  for (int i = from; i <= to; ++i) text += "line " + std::to_string(i) + "\r\n";
  return text;
}

// Feeds the text in uneven pieces, so that lines and CR LF pairs are cut between appends.
void appendInPieces(Scrollback& lines, std::string_view text, std::size_t piece = 4093) {
  for (std::size_t at = 0; at < text.size(); at += piece) lines.append(text.substr(at, piece));
}

// What a window bounded like the scrollback shows after drawing every change it was given.
struct View {
  std::deque<std::string> lines{""};
  void apply(ScrollbackChange change) {
    if (change.restart) {
      lines = std::move(change.lines);
      return;
    }
    lines.back() = std::move(change.lines.front());
    lines.insert(lines.end(), change.lines.begin() + 1, change.lines.end());
    while (lines.size() > kScrollbackLines) lines.pop_front();
  }
};

TEST(Scrollback, FarMoreOutputThanItHoldsKeepsOnlyTheLastLines) {
  Scrollback lines;
  appendInPieces(lines, numberedLines(1, 25'000));
  ASSERT_EQ(lines.lines().size(), kScrollbackLines);
  EXPECT_EQ(lines.lines().front(), "line 15002");
  EXPECT_EQ(lines.lines()[lines.lines().size() - 2], "line 25000");
  EXPECT_EQ(lines.lines().back(), "") << "the output ended with a line break";
}

TEST(Scrollback, LineEndsAndPartialLines) {
  Scrollback lines;
  lines.append("first\r");
  lines.append("\nsecond, in ");
  lines.append("two pieces\nCR LF\r\r\n");
  EXPECT_EQ(lines.text(), "first\nsecond, in two pieces\nCR LF\n");
  lines.append("10%\r20%\r");
  EXPECT_EQ(lines.lines().back(), "20%") << "a CR alone waits for what follows";
  lines.append("30%");
  EXPECT_EQ(lines.lines().back(), "30%") << "then starts the line over";
  lines.append("\rdone\n");
  EXPECT_EQ(lines.text(), "first\nsecond, in two pieces\nCR LF\ndone\n");
}

TEST(Scrollback, AHugeLineWithoutABreakWrapsAndStaysBounded) {
  Scrollback lines;
  // "€" is three bytes, so the line length is no multiple of it and a wrap falls inside one.
  std::string piece;
  for (int i = 0; i < 1365; ++i) piece += "\xE2\x82\xAC";
  const std::size_t total = 20u << 20;
  for (std::size_t written = 0; written < total; written += piece.size()) lines.append(piece);

  EXPECT_EQ(lines.lines().size(), kScrollbackLines);
  for (const std::string& line : lines.lines()) {
    ASSERT_LE(line.size(), kScrollbackLineLength);
    ASSERT_EQ(line.size() % 3, 0u) << "a wrap cut a character in two";
    ASSERT_TRUE(line.empty() || line.starts_with("\xE2\x82\xAC"));
  }
}

TEST(Scrollback, AViewFollowingTheChangesShowsWhatTheScrollbackHolds) {
  Scrollback reference;
  Scrollback pending;
  View view;
  // Small batches that continue an open line, then one larger than the scrollback.
  for (const std::string& output : {std::string("partial"), std::string(" line\nnext"),
                                    std::string("\rover\n") + numberedLines(1, 20), std::string(),
                                    numberedLines(21, 12'345) + "open"}) {
    reference.append(output);
    pending.append(output);
    view.apply(pending.takeChange());
    ASSERT_EQ(view.lines, reference.lines());
  }
  EXPECT_EQ(pending.lines().size(), 1u) << "only the open line is kept after a take";
}

TEST(PendingOutput, OnlyTheFirstOutputAfterATakeAsksForOneAndAClosedWindowDropsOutput) {
  PendingOutput pending;
  EXPECT_TRUE(pending.append("a"));
  EXPECT_FALSE(pending.append("b\n"));
  EXPECT_EQ(pending.take()->lines, (std::deque<std::string>{"ab", ""}));
  EXPECT_FALSE(pending.take()) << "nothing new";
  EXPECT_TRUE(pending.append("c"));
  pending.close();
  EXPECT_FALSE(pending.append("d\n"));
  EXPECT_FALSE(pending.take());
}

TEST(PendingOutput, AScreenTakingWhileTheReaderWritesEndsUpShowingTheLastLines) {
  PendingOutput pending;
  const std::string output = numberedLines(1, 30'000);
  std::thread reader([&] {
    for (std::size_t at = 0; at < output.size(); at += 4096)
      pending.append(output.substr(at, 4096));
  });
  View view;
  while (view.lines.size() < 2 || view.lines[view.lines.size() - 2] != "line 30000") {
    if (auto change = pending.take()) view.apply(std::move(*change));
    std::this_thread::yield();
  }
  reader.join();
  Scrollback reference;
  reference.append(output);
  EXPECT_EQ(view.lines, reference.lines());
}

}  // namespace
}  // namespace qu
