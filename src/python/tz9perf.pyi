# SPDX-License-Identifier: GPL-3.0-or-later
"""Level-flight performance tables of flight simulator aircraft, as numpy arrays.

The same core as the window and ``tz9perf-table`` computes every figure, so a table from here
equals the tool's output for the same arguments bit for bit::

    import tz9perf
    fighter = tz9perf.load("examples/generic-fighter.dat")
    table = fighter.table(speed_range=(150, 10, 300, 10, 800), altitudes=[10000, 20000, 30000])
    print(table.lb_per_nm[1])  # lb/NM at 20,000 ft, one per speed; NaN: no level flight
    print(table.summary()["best_range_cas_kt"])

Numbers may also be given as texts, as on the tool's command line ("2", "0.5"). An argument the
tool would refuse raises ValueError with the tool's message, which names the tool's option
("--stores needs six numbers: AA,AG,BOMBS,CLUSTER,ECM,TANKS").
"""

from os import PathLike
from typing import Dict, Optional, Sequence, Union

import numpy as np
import numpy.typing as npt

__version__: str

_Number = Union[float, int, str]
_Stores = Union[Sequence[_Number], str]
_Range = Union[Sequence[_Number], str]

class LoadError(ValueError):
    """The aircraft file could not be read whole; the message is tz9perf-table's.

    Raised for a missing file, a folder, a file without read permission, a file larger than
    256 MiB, and a file whose fields do not fit (the message names the line and why).
    """

def load(path: Union[str, bytes, PathLike]) -> Aircraft:
    """Loads an aircraft file (.dat) as tz9perf-table loads it.

    Raises LoadError with the tool's message when the file cannot be read whole.
    """

class Aircraft:
    """An aircraft file, loaded. Tables and points are computed from it any number of times."""

    @property
    def name(self) -> str:
        """The aircraft's name as the file gives it."""
    @property
    def file_name(self) -> str:
        """The file's name, without its folder."""
    @property
    def zero_fuel_weight(self) -> float:
        """The zero fuel weight, lb, as the window's field shows it (NaN where it shows none)."""
    @property
    def internal_fuel(self) -> float:
        """The internal fuel, lb, as the window's field shows it (NaN where it shows none)."""
    def loadout(self, stores: _Stores = (0, 0, 0, 0, 0, 0)) -> Dict[str, float]:
        """The loadout's figures, lb, as the window's fields show them.

        stores: the counts of AA missiles, AG missiles, bombs, cluster bombs, ECM pods and
        tanks. Keys: stores_weight, external_fuel, fuel_on_board, actual_weight and
        computing_weight (the proposed computing weight, rounded down to 100 lb). A figure
        beyond the range of numbers is NaN.
        """
    def point(
        self,
        cas: _Number,
        altitude: _Number,
        *,
        weight: Optional[_Number] = None,
        stores: _Stores = (0, 0, 0, 0, 0, 0),
    ) -> Dict[str, Union[float, bool, str]]:
        """Every quantity of one cell, as ``tz9perf-table --explain CAS,ALT`` prints them.

        cas: knots (CAS); altitude: feet; weight: lb, None for the loadout's computing weight.
        The keys are the names of the tool's lines (cas_kt, altitude_ft, weight_lb, ...,
        mach, tas_kt, total_drag_lbf, military_thrust_lbf, regime, supersonic,
        fuel_flow_lb_h, lbs_per_nm, reason); a quantity the evaluation did not reach is absent.
        Numbers are floats, supersonic a bool, regime ("military", "afterburner", "none",
        "failed") and reason texts.
        """
    def table(
        self,
        *,
        speed_range: Optional[_Range] = None,
        speeds: Optional[npt.ArrayLike] = None,
        altitude_range: Optional[_Range] = None,
        altitudes: Optional[npt.ArrayLike] = None,
        weight: Optional[_Number] = None,
        stores: _Stores = (0, 0, 0, 0, 0, 0),
    ) -> Table:
        """The level-flight table over speeds (CAS, kt) and altitudes (ft).

        speed_range, altitude_range: (min, step1, switch, step2, max), laid out as "Create
        Table" and tz9perf-table --speed / --altitude lay them out. speeds, altitudes: the
        values themselves, one-dimensional and finite, used exactly as given (an altitude is
        held in single precision, as every altitude of a table is). An axis takes a range or
        values, not both. With no axis at all, the start-up table (0..40000 ft, 150..850 kt);
        with one, the other takes the window's start values.

        weight: lb, None for the loadout's computing weight. The cells are computed on every
        core with the GIL released.
        """

class Table:
    """A computed table. Every array is shaped (len(altitudes), len(speeds))."""

    fuel_flow: npt.NDArray[np.float64]
    """Fuel flow of steady level flight, lb/h; NaN where level flight cannot be held."""
    lb_per_nm: npt.NDArray[np.float64]
    """Fuel per nautical mile, lb/NM (fuel flow / TAS, uncut); NaN without steady flight."""
    tas: npt.NDArray[np.float64]
    """True airspeed, kt, of every cell computed (NaN only where a cell could not be)."""
    mach: npt.NDArray[np.float64]
    """Mach number of every cell computed (NaN only where a cell could not be)."""
    regime: npt.NDArray[np.int8]
    """0 no steady flight, 1 Military power suffices, 2 the afterburner is needed."""
    supersonic: npt.NDArray[np.bool_]
    """True where the steady flight is at Mach 1 or more."""
    speeds: npt.NDArray[np.float64]
    """The columns' speeds, kt (CAS)."""
    altitudes: npt.NDArray[np.float64]
    """The rows' altitudes, ft, as their headers read."""

    def summary(self) -> Dict[str, npt.NDArray[np.float64]]:
        """Each altitude's best-range and best-endurance speeds and speed bands, to the knot.

        The columns of ``tz9perf-table --summary`` under its CSV names (altitude_ft,
        best_range_cas_kt, ..., afterburner_max_cas_kt), one value per altitude, NaN where the
        CSV field is empty. ValueError with the tool's message when there is no summary.
        """
    def mission(
        self,
        reserve: _Number = 0,
        cruise_cas: Optional[_Number] = None,
        bingo_distance: Optional[_Number] = None,
    ) -> Dict[str, npt.NDArray[np.float64]]:
        """Each altitude's range, endurance and cruise on the fuel on board, and the bingo fuel.

        reserve: lb left at the end; cruise_cas: kt (CAS), for the cruise columns;
        bingo_distance: NM home, for bingo_fuel_lb. The columns of ``tz9perf-table --mission``
        under its CSV names, NaN where the CSV field is empty. ValueError with the tool's
        message for a figure below 0 or not a number.
        """
    def climb(self, g_limit: _Number = 9) -> Dict[str, npt.NDArray[np.float64]]:
        """Each altitude's best climb, time and fuel to climb, best sustained turn and corner.

        g_limit: the highest load factor scanned, 1 to 15, taken to the hundredth. The columns
        of ``tz9perf-table --climb --g-limit G`` under its CSV names (altitude_ft,
        mil_climb_cas_kt, mil_climb_fpm, ..., corner_cas_kt, corner_turn_deg_s), one value per
        altitude: climb rates in ft/min at 1 g in Military power and with afterburner, time
        (min) and fuel (lb) to climb from the first altitude at each altitude's best climb speed,
        the best sustained turn with afterburner (CAS, g, deg/s) and the corner speed with its
        turn rate. NaN where the CSV field is empty. Computed on every core with the GIL
        released. ValueError with the tool's message for a g limit outside 1..15 or not a
        number, or a computing weight not above 0.
        """
    def em(self, altitude: _Number, g_limit: _Number = 9) -> Dict[str, npt.NDArray[np.float64]]:
        """One altitude's energy-manoeuvrability figures, one value per whole knot.

        altitude: ft, taken in single precision as a table's altitudes are; g_limit as for
        climb(). The columns of ``tz9perf-table --em ALT --g-limit G`` under its CSV names
        (cas_kt, tas_kt, mach, mil_climb_fpm, ab_climb_fpm, mil_sustained_g, ab_sustained_g,
        instant_g, mil_turn_deg_s, ab_turn_deg_s, instant_turn_deg_s, instant_radius_ft), over
        the whole knots of the table's speed span; a knot where level flight cannot be held up
        even at 1 g is left out (every array is then shorter, empty beyond the atmosphere). NaN
        where the CSV field is empty. Computed with the GIL released. ValueError with the
        tool's message as for climb(), or for an altitude that is not a number.
        """
