// Raw-data resources: byte blocks the program carries under a name, as pictures that markup
// shows through "res://" are looked up.
#pragma once

#include <string>

namespace hd {

// Names ignore case. Adding a name again replaces its bytes.
void RegisterRawResource(const std::string& name, const std::string& bytes);
void UnregisterRawResource(const std::string& name);
// False, bytes untouched, when there is none.
bool FindRawResource(const std::string& name, std::string& bytes);

}  // namespace hd
