// A small folder tree of known content that the program sees as a drive of
// its own, so that every path and listing the tests expect is fixed.
#pragma once

#include <string>
#include <vector>

// What the tree holds, from the drive's root:
//   Alpha\   Tom & Jerry.txt, zeta.txt          (files only)
//   Empty\                                      (nothing)
//   Work\    Drafts\ (draft.txt), Old\ (old.txt), notes.txt, plan.doc
//   readme.txt
class FixtureDrive {
public:
    // Builds the tree in the temporary folder and maps the first free
    // letter from W: downwards to it. Programs started afterwards see the
    // drive. On failure returns false and says why in `error`.
    bool Mount(std::string& error);
    // Removes the mapping and the tree.
    void Unmount();

    char Letter() const { return letter_; }
    // "W:" and "W:\" for the mapped letter.
    std::string Drive() const { return std::string(1, letter_) + ":"; }
    std::string Root() const { return Drive() + "\\"; }

private:
    bool MapLetter(std::string& error);

    std::wstring folder_;    // where the tree really is
    std::string unixLink_;   // under Wine: the drive entry of the prefix
    char letter_ = 0;
};

// The one drive of the run, mounted before the first test.
extern FixtureDrive TheFixtureDrive;

// The drives that a program started now can use, as "C:" texts in letter
// order: the letters whose root can be read.
std::vector<std::string> UsableDrives();
