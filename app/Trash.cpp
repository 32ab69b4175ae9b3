#include "Trash.h"

#include <gio/gio.h>

#include <memory>

namespace {

struct ObjectUnref {
    void operator()(void* object) const { g_object_unref(object); }
};
template <typename T>
using GioObject = std::unique_ptr<T, ObjectUnref>;

GioObject<GFile> FileAt(const std::string& path) {
    return GioObject<GFile>(g_file_new_for_path(path.c_str()));
}

}  // namespace

bool HasTrash(const std::string& path) {
    const GioObject<GFile> file = FileAt(path);
    const GioObject<GFileInfo> info(g_file_query_info(file.get(), G_FILE_ATTRIBUTE_ACCESS_CAN_TRASH,
                                                      G_FILE_QUERY_INFO_NOFOLLOW_SYMLINKS, nullptr,
                                                      nullptr));
    return info && g_file_info_get_attribute_boolean(info.get(), G_FILE_ATTRIBUTE_ACCESS_CAN_TRASH);
}

TrashResult MoveToTrash(const std::string& path) {
    const GioObject<GFile> file = FileAt(path);
    GError* error = nullptr;
    if (g_file_trash(file.get(), nullptr, &error)) {
        return {TrashResult::Outcome::Trashed, {}};
    }
    TrashResult result{g_error_matches(error, G_IO_ERROR, G_IO_ERROR_NOT_SUPPORTED)
                           ? TrashResult::Outcome::NoTrash
                           : TrashResult::Outcome::Failed,
                       error->message};
    g_error_free(error);
    return result;
}
