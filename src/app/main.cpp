// Entry point: hands the command line to the toolkit, which constructs the
// application object and runs its start-up.
#include "app/client_app.h"

wxIMPLEMENT_APP(xirr_client_app);
