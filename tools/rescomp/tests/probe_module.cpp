// A module with nothing but resources and a symbol to find it by.
extern "C" __attribute__((visibility("default"))) int skin_note_probe() { return 1; }
