// How Tessaryl reaches the application's settings record: colours, the word check, its high score.
#pragma once
#include "framework/Types.h"

struct AppSettings;

AppSettings* TessarylSettings();
int CubeHiScore(const AppSettings* pApp);
void SetCubeHiScore(AppSettings* pApp, int nScore);
BOOL VerifyIncorrect(const AppSettings* pApp);
void SetVerifyIncorrect(AppSettings* pApp, BOOL bOn);
COLORREF FontNormalColor(const AppSettings* pApp);
COLORREF FontSelectedColor(const AppSettings* pApp);
