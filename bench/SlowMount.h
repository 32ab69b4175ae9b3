#pragma once

#include <sys/types.h>

#include <filesystem>
#include <string>

// A folder mounted through bench_slowfs for the life of this object; it is
// unmounted when the object goes, whatever happened in between.
class SlowMount {
  public:
    struct Counts {
        long operations = -1;  // -1: the file system wrote no counts
        int mostInFlight = -1;
    };

    SlowMount(const std::string& slowFsProgram, const std::filesystem::path& source,
              const std::filesystem::path& mountPoint, int delayMicroseconds);
    ~SlowMount();
    SlowMount(const SlowMount&) = delete;
    SlowMount& operator=(const SlowMount&) = delete;

    // Empty when the mount is up; else why it is not.
    const std::string& Error() const { return m_error; }
    // Unmounts and returns what the file system counted.
    Counts Unmount();

  private:
    bool WaitUntilMounted();

    std::filesystem::path m_mountPoint;
    std::filesystem::path m_countsFile;
    std::filesystem::path m_logFile;
    pid_t m_child = -1;
    std::string m_error;
};
