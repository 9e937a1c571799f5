#pragma once

#include <string>

// The plain-text listing of the shown folder: "Listing for " and the path,
// then the folders and the files under their titles, CR LF after every line.
std::string BuildListingText();

// Puts the listing on the clipboard and tells the user whether it got there.
void ListCommand();
