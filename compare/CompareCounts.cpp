#include "CompareCounts.h"

#include <cstdio>

void CompareCounts::Add(RowStatus status) {
    switch (BucketOf(status)) {
        case CountBucket::Equal:
            ++equal;
            break;
        case CountBucket::Different:
            ++different;
            break;
        case CountBucket::Missing:
            ++missing;
            break;
    }
}

std::string CompareCounts::Text() const {
    char text[128];
    std::snprintf(text, sizeof text, "Files Equal:\t%d\nFiles Different:\t%d\nFiles Missing:\t%d\n",
                  equal, different, missing);
    return text;
}

std::string CompareCounts::Verdict() const {
    return FoldersSame() ? "Folders SAME" : "Folders DIFFERENT";
}
