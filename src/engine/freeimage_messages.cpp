#include "engine/freeimage_messages.h"

#include <FreeImage.h>

#include <mutex>

namespace ravelin {

namespace {

thread_local std::string lastMessage;

void DLL_CALLCONV KeepMessage(FREE_IMAGE_FORMAT, const char* message) {
    lastMessage = message ? message : "";
}

}  // namespace

void InstallFreeImageMessages() {
    static std::once_flag once;
    std::call_once(once, [] { FreeImage_SetOutputMessage(KeepMessage); });
}

void ClearFreeImageMessage() {
    lastMessage.clear();
}

std::string LastFreeImageMessage() {
    return lastMessage;
}

}  // namespace ravelin
