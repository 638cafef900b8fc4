// The program's one application object; test programs make their own.
#include "ConverterApp.h"

CConverterApp theApp;
