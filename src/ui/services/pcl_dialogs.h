#pragma once
// The main window's two file dialogs with their filters: the open dialog for
// PCL files, and the save dialog shared by the PCL and image commands.
#include "ui/services/file_dialog_service.h"

namespace kirabel {

// The last entry of every file filter: "なんでも(*.*)", any file.
QString AnyFileFilter();

// Default extension "PCL"; existing files only.
FileChooser MakeOpenDialog();
// The commands set the default extension and filter index before each use.
FileChooser MakeSaveDialog();

}  // namespace kirabel
