// main() of every Wine test program: COM in a single-threaded apartment and the common
// controls, as in the browser's thread that hosts the add-in.
#include <windows.h>
#include <commctrl.h>
#include <ole2.h>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
  ::InitCommonControlsEx(&icc);
  if (FAILED(::OleInitialize(nullptr)))
    return 2;
  int nResult = RUN_ALL_TESTS();
  ::OleUninitialize();
  return nResult;
}
