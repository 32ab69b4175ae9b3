#pragma once

#include <string>

#include "CGridTextMatcher.h"

class CGridDataSource;

// One find-and-replace request over the cells of a data source: finding the
// next matching cell, replacing in a cell, replacing in every matching cell.
// Positions are data-source columns and rows; the caller maps them to and
// from the grid's columns. The search itself is the data source's find, so
// it wraps around the ends as that does and tries the start cell last.
class CGridFind {
  public:
    // What the user asked for in the find dialog.
    struct Options {
        bool bMatchCase = false;
        // The dialog's whole-word option: the whole text of a cell must
        // match; otherwise the text may be any part of it.
        bool bWholeText = false;
        bool bDown = true;     // else upwards (leftwards along a row)
        bool bAcross = false;  // along the rows; else down the start column
    };

    // The message shown when a search finds nothing.
    static constexpr const char* kNotFoundTitle = "Not Found";
    static constexpr const char* kNotFoundText = "Item not found";

    CGridFind(CGridDataSource& source, std::string text, std::string replacement,
              const Options& options);

    // The data source's find flags for the options.
    int Flags() const { return m_nFlags; }

    // Moves (column, row) to the next matching cell after it; false, and
    // nothing moved, when no cell matches.
    bool FindNext(int& column, int& row);
    // Replaces the matches in the cell's text; false, and the cell left as
    // it was, when the cell does not match or cannot be written. The cell
    // keeps its data type, as after an edit.
    bool ReplaceIn(int column, int row);
    // Replaces in every matching cell once, in search order from the cell
    // after (column, row), that cell last; (column, row) moves to the last
    // cell replaced. A replacement that still matches is not replaced again.
    // Answers the number of cells changed.
    int ReplaceAll(int& column, int& row);

  private:
    CGridDataSource& m_source;
    std::string m_strText;
    std::string m_strReplacement;
    int m_nFlags;
    CGridTextMatcher m_matcher;
};
