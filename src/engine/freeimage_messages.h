#pragma once
// FreeImage's own messages (its codecs', and libpng's through its PNG plugin) are never printed: the one
// handler keeps the last message of each thread, so that a file that fails can say why.

#include <string>

namespace ravelin {

// Installs the handler; safe to call any number of times from any thread.
void InstallFreeImageMessages();
// Forgets this thread's last message.
void ClearFreeImageMessage();
// This thread's last message since it was cleared; empty when FreeImage said nothing.
std::string LastFreeImageMessage();

}  // namespace ravelin
