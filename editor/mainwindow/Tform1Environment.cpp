// The main window's commands for the category file, the design, the project check and the build.
#include "Tform1.h"
#include "project/EditorState.h"

void Tform1::checkClick() { click(); }

void Tform1::generateClick() { click(); }

void Tform1::recordClick() { click(); }

void Tform1::geditbtnmainClick() {
    click();
    m_state.newProjectCancelled = false;
}

void Tform1::mdbtnmainClick() { click(); }
