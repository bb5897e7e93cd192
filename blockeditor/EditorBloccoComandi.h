#pragma once
// Makes the block editor window the program editor's EditorBlocco.
void InstallaEditorBlocco();
