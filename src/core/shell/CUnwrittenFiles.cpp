#include "core/shell/CUnwrittenFiles.h"
#include <algorithm>
#include <cctype>

void CUnwrittenFiles::Note(const std::string& path, const std::string& what)
{
    const auto slash = path.find_last_of('/');
    const std::string folder = slash == std::string::npos ? std::string("./") : path.substr(0, slash + 1);
    auto f = std::find_if(m_folders.begin(), m_folders.end(), [&](const Folder& x) { return x.path == folder; });
    if (f == m_folders.end())
        f = m_folders.insert(m_folders.end(), Folder{folder, {}});
    if (std::find(f->what.begin(), f->what.end(), what) == f->what.end())
        f->what.push_back(what);
}

std::string CUnwrittenFiles::Message() const
{
    if (m_folders.empty())
        return {};
    std::string text = "Daubrix could not write to ";
    text += m_folders.size() == 1 ? "this folder:" : "these folders:";
    for (const Folder& f : m_folders) {
        std::string list;
        for (size_t i = 0; i < f.what.size(); ++i)
            list += (i == 0 ? "" : i + 1 == f.what.size() ? " and " : ", ") + f.what[i];
        list[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(list[0])));
        text += "\n\n" + f.path + "\n" + list + " could not be kept.";
    }
    text += "\n\nCheck that each folder exists and that you may write to it. Drawings you saved are not affected.";
    return text;
}
