#pragma once

// Stamps a file version text into the binary that uses it, where the version reader finds it
// (the ELF section ".fileversion"). Use once per binary, at namespace scope of its main source:
//   QU_STAMP_FILE_VERSION(QU_FILE_VERSION);
// The section must stay: nothing references the array, so it is marked used.
#define QU_STAMP_FILE_VERSION(text) \
  [[gnu::section(".fileversion"), gnu::used]] static const char kQuFileVersionStamp[] = text
