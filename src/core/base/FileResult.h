#pragma once
#include <string>
#include <utility>
#include <vector>

// Why a file operation failed, or what it met on the way. The formats only name the reason;
// the commands word it and show it.
enum class FileReason {
    CannotRead,          // the file to read cannot be opened or read
    CannotWrite,         // the file cannot be created or written; the text, when any, says why
    NotThisKind,         // the bytes are not a file of this kind
    JpegCannotOpen,      // the JPEG reader cannot open its file
    JpegCannotWrite,     // the JPEG writer cannot write its file
    JpegCodec,           // the JPEG codec's own message, in the note's text
    JpegWarning,         // the JPEG codec's first warning about a file it still read, in the text
    BackgroundNotSaved,  // a drawing is saved without its background picture
    PictureRefused,      // a picture too large or claiming more than its file holds, in the text
    PngCodec,            // the PNG codec's own message, in the note's text
};

struct FileNote {
    FileReason reason;
    std::string text;
    bool operator==(const FileNote&) const = default;
};

// What a file operation did: whether it succeeded, and everything it has to tell the user, in
// the order it arose. A failure's own reason is its last note.
struct FileResult {
    bool ok = true;
    std::vector<FileNote> notes;

    explicit operator bool() const { return ok; }
    void Note(FileReason reason, std::string text = {}) { notes.push_back({reason, std::move(text)}); }
    FileResult& Fail(FileReason reason)
    {
        Note(reason);
        ok = false;
        return *this;
    }
    // A failure with what the operation found out about it ("the file is write-protected").
    FileResult& Fail(FileReason reason, std::string text)
    {
        Note(reason, std::move(text));
        ok = false;
        return *this;
    }
    FileResult& Fail()
    {
        ok = false;
        return *this;
    }
    // Takes over what an inner operation had to say, in order.
    void Take(const FileResult& inner) { notes.insert(notes.end(), inner.notes.begin(), inner.notes.end()); }
    // The words of the last note of this reason that has any; empty when none has.
    std::string TextOf(FileReason reason) const
    {
        for (auto n = notes.rbegin(); n != notes.rend(); ++n)
            if (n->reason == reason && !n->text.empty())
                return n->text;
        return {};
    }
    bool Has(FileReason reason) const
    {
        for (const FileNote& n : notes)
            if (n.reason == reason)
                return true;
        return false;
    }
};
