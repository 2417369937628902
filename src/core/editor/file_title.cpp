#include "editor/file_title.h"

#include "pages/path_procedures.h"

namespace vnovla::editor {

std::string fileTitle(std::string_view path)
{
    if (path.empty() || pages::GetFolder(path).size() == path.size())
        return {};
    std::string title = pages::GetFileName(path);
    if (title.size() >= kFileTitleLimitBytes)
        return {};
    return title;
}

} // namespace vnovla::editor
