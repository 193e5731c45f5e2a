#pragma once

class QObject;
class QWidget;

// `objekt` as one of the program's windows, its main window or a dialog;
// null for anything else, its menus, tool tips and lists that drop down
// among them, which neither stand in a place of their own nor take the
// keyboard.
QWidget* somFoenster(QObject* objekt);
