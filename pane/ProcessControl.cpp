#include "pane/ProcessControl.h"

OSErr findProcess(ProcessManager& processes, const QString& creator, ProcessSerialNumber* psn) {
    *psn = {0, 0};
    while (true) {
        if (const OSErr error = processes.GetNextProcess(*psn); error != noErr)
            return error;
        if (processes.fileCreator(*psn) == creator)
            return noErr;
    }
}

OSErr SendAppleEventToApplication(AppleEventSender& sender, std::uint32_t eventID,
                                  ProcessSerialNumber psn) {
    return sender.sendAppleEvent(eventID, psn);
}
