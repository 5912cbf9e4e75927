#pragma once
// Helpers for the widget tests.
