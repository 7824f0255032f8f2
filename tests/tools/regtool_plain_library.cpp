// A shared library without registration functions, for regtool's tests.
extern "C" int regtoolTestPlainLibrary() {
    return 0;
}
