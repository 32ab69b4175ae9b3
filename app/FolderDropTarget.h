#pragma once

#include <wx/dnd.h>

#include <string>
#include <vector>

// What a window does with folders dropped on it.
class FolderDropHost {
  public:
    virtual ~FolderDropHost() = default;
    // One folder for the side dropped on, or two, for both sides; each
    // absolute. False when the window takes none now.
    virtual bool DropFolders(bool leftSide, const std::vector<std::string>& folders) = 0;
};

// Takes files and folders dragged from a file manager onto one side's
// controls: a folder stands for itself, a file for the folder holding it.
// One or two may be dropped; more, or anything that is not there, is
// refused with a bell.
class FolderDropTarget : public wxFileDropTarget {
  public:
    FolderDropTarget(FolderDropHost& host, bool leftSide) : m_host(host), m_bLeftSide(leftSide) {}

    bool OnDropFiles(wxCoord x, wxCoord y, const wxArrayString& names) override;

  private:
    FolderDropHost& m_host;
    const bool m_bLeftSide;
};
