#pragma once

// What a compare found for one row.
enum class RowStatus {
    Identical,
    ContentDiffers,
    Missing,
    AttributesDiffer,
    TimeDiffers,
    SizeDiffers
};

// The counts a status falls into.
enum class CountBucket { Equal, Different, Missing };

// The status's text in the legend ("Identical File", ...).
const char* LegendText(RowStatus status);
CountBucket BucketOf(RowStatus status);
