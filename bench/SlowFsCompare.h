#pragma once

#include <filesystem>

// Mounts the pair at `root` through bench_slowfs at several delays per
// operation and prints vantrel-compare -r against diff -rq: wall times,
// their ratio, the file system operations each caused and the most that
// were in flight at once. Says why when it cannot mount. With `quick` the
// slowest delay is left out.
void CompareThroughSlowFs(const std::filesystem::path& root, int files, bool quick);
