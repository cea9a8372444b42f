// Shows the current settings in the five boxes when an adapter is selected.
#pragma once

void onAdapterSelected();
