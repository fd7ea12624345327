// The main window fixture is shared with the window tests of the intake.
#include "mainform/form_fixture.cpp"
