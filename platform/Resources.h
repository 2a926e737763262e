#pragma once

// The compiled-in resources: pictures, sounds, the help page, the phone
// page and the translations of res/grocelle.qrc.
class Resources
{
public:
    // They live in a static library, whose resource initialiser the linker
    // drops unless something calls it; every program calls this once at
    // start. Safe to call again.
    static void registerAll();
};
