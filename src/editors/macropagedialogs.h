#pragma once

#include "recoilevents.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

class QWidget;

// The modal questions the macro page asks: files and folders, warnings,
// yes/no, and the recoil editor. Each is a function, so that tests answer
// them without a modal loop; the defaults show the real dialogs.
struct MacroPageDialogs {
    struct Recoil {
        bool accepted = false;
        QString name;
        std::vector<RecoilBullet> bullets;
    };

    std::function<QString(QWidget *parent)> openFile;
    std::function<QStringList(QWidget *parent)> openFiles;
    std::function<QString(QWidget *parent, const QString &proposed)> saveFile;
    std::function<QString(QWidget *parent)> chooseFolder;
    std::function<void(QWidget *parent, const QString &title, const QString &text)> warn;
    std::function<bool(QWidget *parent, const QString &text)> ask;
    // Unsaved edits: keep them in the file, drop them, or stay where one is.
    enum class Unsaved { Save, Discard, Cancel };
    std::function<Unsaved(QWidget *parent, const QString &text)> askUnsaved;
    std::function<Recoil(QWidget *parent)> recoil;

    static MacroPageDialogs standard();
};
