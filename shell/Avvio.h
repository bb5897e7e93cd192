#pragma once
// Start-up: fixes the edition and version, fills the shared tables and
// writes every default. Nothing is read from a file at start.
void Main();
void CaricaImmaginiToolbar();
