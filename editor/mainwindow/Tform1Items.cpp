// The main window's commands that add items and edit the grid's cells.
#include "Tform1.h"

void Tform1::addClick() {
    click();
    projectGate();
}

void Tform1::adddirClick() {
    click();
    projectGate();
}

void Tform1::addjumpClick() {
    click();
    projectGate();
}

void Tform1::addurlClick() {
    click();
    projectGate();
}
