#include "app/CQavApp.h"

int main(int argc, char** argv) { return RunQav(argc, argv); }
