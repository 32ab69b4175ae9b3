#include "CZrHyperLink.h"

#include <gtest/gtest.h>

#include <vector>

#include "GuiTestSupport.h"
#include "ResourceImages.h"

namespace {

// Records what a click would open instead of starting a browser.
class RecordingLink : public CZrHyperLink {
  public:
    using CZrHyperLink::CZrHyperLink;
    std::vector<wxString> m_opened;
    const wxCursor& LinkCursor() const { return m_hLinkCursor; }

  protected:
    void OpenLink(const wxString& target) override { m_opened.push_back(target); }
};

void ReleaseLeftButton(wxWindow& window, const wxPoint& at) {
    wxMouseEvent release(wxEVT_LEFT_UP);
    release.SetPosition(at);
    release.SetEventObject(&window);
    window.GetEventHandler()->ProcessEvent(release);
}

}  // namespace

TEST(CZrHyperLink, ClickOpensTheTargetNotTheVisibleText) {
    ShownFrame frame;
    RecordingLink link(frame.Get(), wxID_ANY, "sales@tarnwick.example", wxPoint(10, 10),
                       wxSize(175, 16));
    link.SetURL("mailto:sales@tarnwick.example");
    ReleaseLeftButton(link, wxPoint(5, 5));
    ASSERT_EQ(link.m_opened.size(), 1u);
    EXPECT_EQ(link.m_opened[0], "mailto:sales@tarnwick.example");
}

TEST(CZrHyperLink, IgnoresClicksWithoutATargetOrOutsideIt) {
    ShownFrame frame;
    RecordingLink link(frame.Get(), wxID_ANY, "web", wxPoint(10, 10), wxSize(100, 16));
    ReleaseLeftButton(link, wxPoint(5, 5));
    EXPECT_TRUE(link.m_opened.empty());
    link.SetURL("https://tarnwick.example/");
    ReleaseLeftButton(link, wxPoint(150, 5));
    EXPECT_TRUE(link.m_opened.empty()) << "released beside the link";
}

TEST(CZrHyperLink, ShowsTheLinkCursorOrTheUpArrowWhenItIsMissing) {
    ShownFrame frame;
    RecordingLink link(frame.Get(), wxID_ANY, "web");
    EXPECT_TRUE(link.GetCursor().IsSameAs(UpArrowCursor()));
    EXPECT_TRUE(link.SetLinkCursor(1083));
    EXPECT_TRUE(link.GetCursor().IsOk());
    EXPECT_FALSE(link.GetCursor().IsSameAs(UpArrowCursor()));
    EXPECT_TRUE(link.GetCursor().IsSameAs(link.LinkCursor()));
    EXPECT_FALSE(link.SetLinkCursor(4242));
    EXPECT_TRUE(link.GetCursor().IsSameAs(UpArrowCursor()));
}
