#pragma once

class QWidget;

// Gives `w` the desktop's own colours, every one of them set, so that it
// keeps them whatever colours its window takes: a menu bar on a black
// window would otherwise draw its black texts on black.
void behaallSkrivbordetsFaerger(QWidget* w);
