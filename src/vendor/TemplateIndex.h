#pragma once

#include <string>
#include <vector>

// The index page the vendor's server shows for a template folder: after the separator line
// holding "<HR>" comes one line with the link to the parent folder, then the template's files as
// links written HREF="file name".

// The file names linked below the parent-folder line, exactly as written (neither decoded nor
// checked). False when the page has no "<HR>". A link without its closing quote takes the text up
// to the next quote as its name, which ends the list there.
bool ReadTemplateIndex(const std::string& page, std::vector<std::string>& fileNames);

// True when a linked file name names a file directly inside the package folder: not empty, no
// "/" or "\", no "..", no control character (an absolute path always holds a separator).
bool IsSafeTemplateFileName(const std::string& name);
