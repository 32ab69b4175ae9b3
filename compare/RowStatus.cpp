#include "RowStatus.h"

const char* LegendText(RowStatus status) {
    switch (status) {
        case RowStatus::Identical:
            return "Identical File";
        case RowStatus::ContentDiffers:
            return "Different Content";
        case RowStatus::Missing:
            return "Missing File";
        case RowStatus::AttributesDiffer:
            return "Attrib Different";
        case RowStatus::TimeDiffers:
            return "Time Different";
        case RowStatus::SizeDiffers:
            return "Size Different";
    }
    return "";
}

CountBucket BucketOf(RowStatus status) {
    switch (status) {
        case RowStatus::Identical:
            return CountBucket::Equal;
        case RowStatus::Missing:
            return CountBucket::Missing;
        default:
            return CountBucket::Different;
    }
}
