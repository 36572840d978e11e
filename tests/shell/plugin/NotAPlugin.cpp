// A shared library without a plug-in root object: start-up passes over it.
extern "C" int wattsight_not_a_plugin() {
    return 1;
}
