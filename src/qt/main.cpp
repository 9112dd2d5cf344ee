#include "qt/Main.h"

int main(int argc, char** argv) { return velmora::Main(argc, argv); }
