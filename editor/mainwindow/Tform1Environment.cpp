// The main window's commands for the category file, the design and the project check.
#include "Tform1.h"
#include "Tgfform.h"
#include "project/EditorState.h"

void Tform1::checkClick() { click(); }

void Tform1::geditbtnmainClick() {
    click();
    m_state.newProjectCancelled = false;
    // Through the working copy, so that every item's category is resolved again against the list
    // the dialog leaves behind.
    m_session.workingCopyCycle([this] { m_categoryFileEditor->execute(); });
    showCurrentRowInStatusLine();
}

void Tform1::mdbtnmainClick() { click(); }
