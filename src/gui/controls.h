#pragma once
// Window, control and command numbers. Widgets carry them as object names ("control-2", "command-14"), so
// that tests and other windows address them by number.

#include <QString>

namespace ravelin {

enum class WindowNumber { Main = 0, Preferences = 1, Progress = 3, ConverterSearch = 6, About = 8 };

enum class MainControl {
    Container = 0,
    InputLabel = 1,
    InputField = 2,
    OutputFolderLabel = 4,
    OutputFolderList = 5,
    OutputFormatLabel = 6,
    OutputFormatList = 7,
    ConvertButton = 8,
    Notice = 11,
};

enum class Command {
    New = 0,
    Exit = 3,
    SelectInputFile = 5,
    SelectOutputFolder = 7,
    OutputFormatOptions = 8,
    Convert = 14,
    CustomConverter = 16,
    Preferences = 17,
    Manual = 18,
    SendFeedback = 21,
    VisitHomepage = 22,
    CheckForNewVersion = 23,
    About = 24,
};

enum class ProgressControl { FileText = 348, TimeText = 349, Bar = 350, OkButton = 351 };

inline QString ControlName(MainControl control) {
    return QString("control-%1").arg(static_cast<int>(control));
}
inline QString ControlName(ProgressControl control) {
    return QString("control-%1").arg(static_cast<int>(control));
}
inline QString CommandName(Command command) {
    return QString("command-%1").arg(static_cast<int>(command));
}

}  // namespace ravelin
