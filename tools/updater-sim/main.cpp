// Stand-in for the external download utility: accepts its command line and leaves a run log, so
// the front end can be run and tested without the real utility.

#include <fstream>
#include <iostream>

int main(int argc, char** argv) {
  std::cout << "updater stand-in:";
  for (int i = 1; i < argc; ++i) std::cout << ' ' << argv[i];
  std::cout << '\n';
  std::ofstream log("vororadi.txt", std::ios::binary | std::ios::trunc);
  log << "0\r\nUpdate completed successfully\r\n";
  return log ? 0 : 1;
}
