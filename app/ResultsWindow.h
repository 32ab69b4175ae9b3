#pragma once

#include <functional>
#include <string>
#include <string_view>

class CResultGrid;

// What a results grid needs of the window that holds it and its partner:
// the two grids, the compared folders and options, and the window's part
// in the grid's scrolling and file actions.
class ResultsWindow {
  public:
    virtual ~ResultsWindow() = default;

    virtual CResultGrid& LeftGrid() const = 0;
    virtual CResultGrid& RightGrid() const = 0;
    // A side's folder, ending in "/".
    virtual const std::string& FolderOf(bool leftSide) const = 0;
    virtual bool DisregardsAttributes() const = 0;
    // The "Diff Tool" setting: the command that shows a pair of files.
    virtual std::string DiffToolSetting() const = 0;
    // Deleted files go to the desktop trash rather than away at once.
    virtual bool DeletesToTrash() const = 0;
    // The last compare could not list the folder (or a folder above it) of
    // the file at `relativeName` on one side or the other.
    virtual bool InUnlistedFolder(std::string_view relativeName) const = 0;

    // A grid scrolled to `topRow`; the shared bar's thumb goes there.
    virtual void ShowTopRowOnSharedBar(int topRow) = 0;
    // The grids were changed on disk's account without a new compare.
    virtual void NoteGridsChanged() = 0;
    // Runs a grid's action on the disk. The window counts as busy
    // meanwhile, so that a close request raised while the action lets events
    // through waits for the action to end; the window may be closing when
    // this returns, so the caller must not touch it afterwards.
    virtual void RunFileAction(const std::function<void()>& action) = 0;
};
