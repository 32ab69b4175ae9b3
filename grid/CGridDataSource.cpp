#include "CGridDataSource.h"

namespace {
constexpr int kNotSupported = -1;
}

CGridDataSource::~CGridDataSource() = default;

int CGridDataSource::GetLastRow() {
    return kNotSupported;
}
int CGridDataSource::AppendRow() {
    return kNotSupported;
}
int CGridDataSource::InsertRow(int) {
    return kNotSupported;
}
int CGridDataSource::AppendColumn() {
    return kNotSupported;
}
int CGridDataSource::InsertColumn(int) {
    return kNotSupported;
}
int CGridDataSource::DeleteRow(int) {
    return kNotSupported;
}
int CGridDataSource::DeleteColumn(int) {
    return kNotSupported;
}
int CGridDataSource::DeleteCell(int, int) {
    return kNotSupported;
}
int CGridDataSource::Empty() {
    return kNotSupported;
}
int CGridDataSource::GetCell(int, int, CGridCell&) {
    return kNotSupported;
}
int CGridDataSource::SetCell(int, int, const CGridCell&) {
    return kNotSupported;
}

int CGridDataSource::FindFirst(const std::string&, int&, int&, int) {
    return kNotSupported;
}

int CGridDataSource::FindNext(const std::string&, int&, int&, int) {
    return kNotSupported;
}

int CGridDataSource::SortByColumns(std::span<const int>, int) {
    return kNotSupported;
}
int CGridDataSource::SortByColumn(int, int) {
    return kNotSupported;
}
int CGridDataSource::PastLastRow(int, int, int&) {
    return kNotSupported;
}
void CGridDataSource::OnCurrentRowChanged(int, int) {}
void CGridDataSource::OnCurrentColumnChanged(int, int) {}
bool CGridDataSource::AllowCurrentCellMove(int, int, int, int) {
    return true;
}
bool CGridDataSource::AllowEditStart(int, int, wxTextCtrl*&) {
    return true;
}
bool CGridDataSource::AllowEditKey(int, int, wxTextCtrl*, int&) {
    return true;
}

bool CGridDataSource::AllowEditEnd(int, int, wxTextCtrl*, const std::string&, bool) {
    return true;
}

bool CGridDataSource::AllowEditMoveOn(int, int, int&, int&) {
    return true;
}
int CGridDataSource::GetPreviousNonBlankColumn(int&, int) {
    return kNotSupported;
}
