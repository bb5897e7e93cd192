#pragma once
// The run monitor's picture in the rung list: the rung at the program
// counter yellow, the ones before it white again, and the list scrolled so
// that the rung running is in view.
void MostraRungInEsecuzione(int pc, int penultimo, int terzultimo);
