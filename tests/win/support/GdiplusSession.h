#pragma once
// GDI+ for the whole test program: started by the first test that needs it,
// shut down at exit.
void EnsureGdiplus();
