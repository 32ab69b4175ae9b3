#pragma once

#include <optional>
#include <string>

#include "TempTree.h"

// While it lives, the folder "bin" of a test's tree alone makes up PATH,
// and tests put shell scripts there that stand for the desktop's programs.
class FakePrograms {
  public:
    explicit FakePrograms(const TempTree& tree);
    ~FakePrograms();
    FakePrograms(const FakePrograms&) = delete;
    FakePrograms& operator=(const FakePrograms&) = delete;

    // A shell script named `name` on PATH; it can rely on no other program
    // being found there.
    void Add(const std::string& name, const std::string& body) const;
    // Script lines that leave the arguments, one a line, in the tree's file
    // <name>.args, whole once the file is there.
    std::string RecordArguments(const std::string& name) const;

  private:
    const TempTree& m_tree;
    std::optional<std::string> m_savedPath;
};
