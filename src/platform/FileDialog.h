#pragma once

#include <QString>
#include <functional>
#include <optional>

// The common open and save dialogs. `filter` is written as pairs
// "Name|pattern|..." and `filterIndex` counts from 1. Cancel gives no file.
// Tests answer through a handler instead of a modal window.
struct OeppnaDialogAnrop {
    QString filter;
    int filterIndex = 1;
    QString startmapp;
};

std::optional<QString> VisaOeppnaDialog(const OeppnaDialogAnrop& anrop);

void saettOeppnaDialogHanterare(std::function<std::optional<QString>(const OeppnaDialogAnrop&)> hanterare);

// The save dialog starts in `startmapp` with `filnamn` filled in. It asks
// nothing about an existing file: the caller may still add an ending, so it
// asks once it knows the final name.
struct SparaDialogAnrop {
    QString filter;
    int filterIndex = 1;
    QString startmapp;
    QString filnamn;
};

// The chosen path as typed, and the filter chosen when the dialog closed.
struct SparaDialogSvar {
    QString fil;
    int filterIndex = 1;
};

std::optional<SparaDialogSvar> VisaSparaDialog(const SparaDialogAnrop& anrop);

void saettSparaDialogHanterare(std::function<std::optional<SparaDialogSvar>(const SparaDialogAnrop&)> hanterare);
