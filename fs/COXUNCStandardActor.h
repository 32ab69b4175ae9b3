#pragma once

#include <cstdint>
#include <string>

#include "CUncPath.h"
#include "FindData.h"

// Result codes of file-system operations: 0 on success, otherwise the
// system error e as (e & 0xFFFF) | 0x80070000, a negative 32-bit value.
using HResult = int32_t;
inline constexpr HResult kResultOk = 0;
inline constexpr HResult kNoMoreFiles = static_cast<HResult>(0x80070012u);
HResult ResultFromErrno(int error);
// The system error a failure code was made from; 0 for success.
int ErrnoFromResult(HResult result);

// An open directory search; owned by its caller until passed to FindClose.
struct FindSearch;
using FindHandle = FindSearch*;

// How searches reach the file system. Every path points to the one shared
// instance; it holds no state, so it may be used from any thread.
class COXUNCStandardActor {
  public:
    enum class Scan { ListEntries, FindSubfolders };

    static COXUNCStandardActor& Shared();
    virtual ~COXUNCStandardActor() = default;

    // Starts a search for the entries of `path`'s directory whose names
    // match its file part ('*' any run, '?' one byte, "*.*" every name).
    // Lists regular files, folders and links to either, "." and ".."
    // included; FIFOs, sockets, devices and broken links never appear.
    // `scan` FindSubfolders lets plain files go without a status query.
    // An entry whose status cannot be read is listed with its statusError.
    // No match gives kNoMoreFiles and a null handle; a folder that cannot be
    // searched gives the system's failure code and a null handle.
    virtual HResult FindFirst(CUncPath path, FindHandle& handle, FindData& data, Scan scan);
    // The next matching entry; kNoMoreFiles after the last one.
    virtual HResult FindNext(FindHandle handle, FindData& data);
    virtual HResult FindClose(FindHandle handle);
};

struct dirent;
// Fills `data` from `entry`, read from the folder open as `directoryFd`.
// Returns false for entries that are never listed: special files, broken
// links and entries that vanished. An entry whose status cannot be read for
// another reason is returned with its statusError set.
bool DescribeEntry(int directoryFd, const dirent& entry, COXUNCStandardActor::Scan scan,
                   FindData& data);

// True when `name` matches `mask`.
bool MatchesMask(const std::string& name, const std::string& mask);
