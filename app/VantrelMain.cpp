#include "CCompareApp.h"

wxIMPLEMENT_APP(CCompareApp);
