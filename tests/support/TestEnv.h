// Folders the test main prepares for every suite.
#pragma once
#include <QString>
#include <QDir>

QString TestRootFolder();    // temporary root, removed at exit
QString TestProgramFolder(); // stands in for the executable's folder; has data/
QString TestStorageCard();   // the storage card root
