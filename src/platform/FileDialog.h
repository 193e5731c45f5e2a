#pragma once

#include <QString>
#include <functional>
#include <optional>

// The common open dialog. `filter` is written as pairs "Name|pattern|..."
// and `filterIndex` counts from 1. Cancel gives no file. Tests answer
// through a handler instead of a modal window.
struct OeppnaDialogAnrop {
    QString filter;
    int filterIndex = 1;
    QString startmapp;
};

std::optional<QString> VisaOeppnaDialog(const OeppnaDialogAnrop& anrop);

void saettOeppnaDialogHanterare(std::function<std::optional<QString>(const OeppnaDialogAnrop&)> hanterare);
