#include "FakePrograms.h"

#include <sys/stat.h>

#include <cstdlib>

FakePrograms::FakePrograms(const TempTree& tree) : m_tree(tree) {
    if (const char* path = std::getenv("PATH")) {
        m_savedPath = path;
    }
    setenv("PATH", m_tree.MakeDir("bin").c_str(), 1);
}

FakePrograms::~FakePrograms() {
    if (m_savedPath) {
        setenv("PATH", m_savedPath->c_str(), 1);
    } else {
        unsetenv("PATH");
    }
}

void FakePrograms::Add(const std::string& name, const std::string& body) const {
    const std::string path = m_tree.WriteFile("bin/" + name, "#!/bin/sh\n" + body);
    chmod(path.c_str(), 0755);
}

std::string FakePrograms::RecordArguments(const std::string& name) const {
    const std::string record = m_tree.Path(name + ".args");
    return "printf '%s\\n' \"$@\" > '" + record + ".part'\n/bin/mv '" + record + ".part' '" +
           record + "'\n";
}
