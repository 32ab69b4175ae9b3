#include <gtest/gtest.h>
#include <stdlib.h>
#include <wx/app.h>
#include <wx/init.h>

#include <filesystem>
#include <string>

// The main of the GUI tests: starts wxWidgets on the display that xvfb-run
// provides, turns wxWidgets assertion failures into test failures, and points
// the temporary and settings folders at a fresh folder so that no test
// touches the user's own files.
namespace {

void FailOnAssert(const wxString& file, int line, const wxString& function,
                  const wxString& condition, const wxString& message) {
    ADD_FAILURE_AT(file.utf8_str(), line)
        << "wxWidgets assertion in " << function.utf8_str() << ": " << condition.utf8_str() << " "
        << message.utf8_str();
}

}  // namespace

int main(int argc, char** argv) {
    std::string scratch =
        (std::filesystem::temp_directory_path() / "vantrel-gui-tests-XXXXXX").string();
    if (mkdtemp(scratch.data()) == nullptr) {
        return 2;
    }
    const std::string config = scratch + "/config";
    std::filesystem::create_directories(config);
    setenv("TMPDIR", scratch.c_str(), 1);
    setenv("XDG_CONFIG_HOME", config.c_str(), 1);

    testing::InitGoogleTest(&argc, argv);
    wxApp::SetInstance(new wxApp);
    if (!wxEntryStart(argc, argv)) {
        return 2;
    }
    wxSetAssertHandler(FailOnAssert);
    const int result = RUN_ALL_TESTS();
    wxEntryCleanup();
    std::error_code ignored;
    std::filesystem::remove_all(scratch, ignored);
    return result;
}
