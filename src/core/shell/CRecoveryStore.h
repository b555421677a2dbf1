#pragma once
#include <cstdint>
#include <span>
#include <string>
#include <vector>

// Copies of unsaved drawings kept so that a crash loses little. Each running program writes into
// a folder named after its process; at start, folders of processes that are gone hold what the
// last run could not close. Files go through the atomic save path, so a crash while writing a
// copy leaves the previous copy.
class CRecoveryStore {
public:
    // root: the recovery folder in the per-user data folder (created when missing).
    CRecoveryStore(std::string root, int processId);

    // A folder under this run's name was left by an earlier run that had the same process id
    // (ids come round again after a restart): it is moved aside, still to be found as orphaned.
    void ClaimFolder();

    // Keeps the drawing's bytes under id (one per open drawing); path is where the drawing was
    // last saved ("" when never), title its window title. False when the copy could not be written.
    bool Keep(int id, const std::string& path, const std::string& title, std::span<const uint8_t> bytes);
    // The drawing was saved or closed: its copy goes.
    void Drop(int id);
    // Removes this run's folder; called when the program ends normally.
    void DropAll();

    struct Orphan {
        std::string file;     // the kept drawing bytes
        std::string path;     // where it was last saved, "" when never
        std::string title;
    };
    // What runs that ended without closing their drawings left behind, oldest first.
    std::vector<Orphan> FindOrphans() const;
    // Deletes every orphan (after they were reopened or refused).
    void DropOrphans() const;

    const std::string& Folder() const { return m_folder; }

    // True when a process with this id is running (ours included).
    static bool ProcessAlive(int processId);

private:
    std::vector<std::string> OrphanFolders() const;

    std::string m_root;
    std::string m_folder;
};
