#pragma once
#include <string>
#include <vector>

// What the program writes on its own (settings, the automatic files, the copies kept against a
// crash) must not raise a message at every failed write: a folder that cannot be written would
// nag all through the run. Failures are noted here and told once, when the program ends.
class CUnwrittenFiles {
public:
    // path: the file that could not be written; what: what of this run it held, e.g. "the settings".
    void Note(const std::string& path, const std::string& what);
    bool Empty() const { return m_folders.empty(); }
    // One message naming each folder and what it could not keep; "" when nothing failed.
    std::string Message() const;

private:
    struct Folder {
        std::string path;
        std::vector<std::string> what;
    };
    std::vector<Folder> m_folders;
};
