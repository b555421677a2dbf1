#include "cli/CliSession.h"
#include "core/model/CDocumentFile.h"
#include "core/commands/DocumentIO.h"
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

std::string ProgramDir()
{
    std::error_code ec;
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec)
        return "./";
    const std::filesystem::path dir = exe.parent_path();
    if (std::filesystem::is_directory(dir / "shapes", ec))
        return dir.string() + "/";
    const std::filesystem::path shared = dir.parent_path() / "share" / "daubrix";
    if (std::filesystem::is_directory(shared / "shapes", ec))
        return shared.string() + "/";
    return dir.string() + "/";
}

std::optional<int> CliNumber(const std::string& text, long lo, long hi)
{
    char* end = nullptr;
    errno = 0;
    const long v = std::strtol(text.c_str(), &end, 10);
    if (errno || !end || *end || end == text.c_str() || v < lo || v > hi)
        return std::nullopt;
    return static_cast<int>(v);
}

int CliUsage(const std::string& problem, const char* help)
{
    std::fprintf(stderr, "daubrix-cli: %s\n%s", problem.c_str(), help);
    return 2;
}

void Say(std::string line)
{
    while (!line.empty() && (line.back() == '\n' || line.back() == ' '))
        line.pop_back();
    for (char& c : line)
        if (c == '\n' || c == '\r')
            c = ' ';
    std::fprintf(stderr, "%s\n", line.c_str());
}

bool Tell(const FileResult& result, const FileWording& wording)
{
    for (const UserMessage& m : FileMessages(result, wording))
        Say(m.warning ? "warning: " + m.text : m.text);
    return result.ok;
}

bool CliSession::Open(const std::string& path, bool needShapes)
{
    if (!LoadProgramShapes(needShapes))
        return false;
    doc = std::make_unique<CDaubrixDoc>(app.ShapeTable(), nullptr);
    view = std::make_unique<CDaubrixView>(app, *doc);
    DocumentBackground background;
    if (!Tell(ReadDocument(path, *doc, &background, false), DocumentWording()))
        return false;
    ShowOpenedDocument(*view, std::move(background));
    return true;
}

bool CliSession::New(int width, int height, ColorRef background)
{
    if (!LoadProgramShapes(true))
        return false;
    doc = std::make_unique<CDaubrixDoc>(app.ShapeTable(), nullptr);
    doc->SetWidth(width);
    doc->SetHeight(height);
    doc->SetBackgroundColor(background);
    doc->SetUndoImageSaved(1);
    view = std::make_unique<CDaubrixView>(app, *doc);
    view->OnInitialUpdate();
    return true;
}

bool CliSession::LoadProgramShapes(bool needShapes)
{
    app.SetProgramDir(ProgramDir());
    CShapeTable& shapes = app.ShapeTable();
    shapes.LoadShapes(app.ProgramDir(), nullptr);
    for (int i = 0; i < shapes.Count(); ++i)
        if (!shapes.Shape(i).IsLoaded())
            Say("error loading shape");
    if (needShapes && shapes.Count() == 0) {
        Say("Shapes not found!");
        return false;
    }
    shapes.PrepareAll();
    return true;
}
