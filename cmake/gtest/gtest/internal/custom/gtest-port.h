// GoogleTest's hook for a platform of its own, here the mingw-w64 compilers'
// win32 threads model, whose C++ library has no std::mutex or
// std::condition_variable. GoogleTest needs them for one class alone, the
// Notification that its own thread tests use; this one waits on a flag.
// GoogleTest keeps <windows.h> out of its headers, and so does this.
#ifndef GOOGLETEST_INCLUDE_GTEST_INTERNAL_CUSTOM_GTEST_PORT_H_
#define GOOGLETEST_INCLUDE_GTEST_INTERNAL_CUSTOM_GTEST_PORT_H_

#include <atomic>

extern "C" __declspec(dllimport) void __stdcall Sleep(unsigned long milliseconds);

namespace testing {
namespace internal {

class Notification {
 public:
  Notification() : notified_(false) {}
  Notification(const Notification&) = delete;
  Notification& operator=(const Notification&) = delete;

  void Notify() { notified_ = true; }

  void WaitForNotification() {
    while (!notified_) Sleep(1);
  }

 private:
  std::atomic<bool> notified_;
};

}  // namespace internal
}  // namespace testing

#define GTEST_HAS_NOTIFICATION_ 1

#endif  // GOOGLETEST_INCLUDE_GTEST_INTERNAL_CUSTOM_GTEST_PORT_H_
