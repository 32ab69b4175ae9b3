#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

// Points the temporary folder and the settings folder at a fresh folder, so
// that no test touches the user's own files, then runs every test.
int main(int argc, char** argv) {
    std::string scratch =
        (std::filesystem::temp_directory_path() / "vantrel-tests-XXXXXX").string();
    if (mkdtemp(scratch.data()) == nullptr) {
        return 2;
    }
    const std::string config = scratch + "/config";
    std::filesystem::create_directories(config);
    std::filesystem::permissions(scratch, std::filesystem::perms(0755));
    setenv("TMPDIR", scratch.c_str(), 1);
    setenv("XDG_CONFIG_HOME", config.c_str(), 1);

    testing::InitGoogleTest(&argc, argv);
    const int result = RUN_ALL_TESTS();
    std::error_code ignored;
    std::filesystem::remove_all(scratch, ignored);
    return result;
}
