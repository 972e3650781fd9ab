"""Type stub of the velmora extension module (fiber-laser and fiber-amplifier calculators)."""

from typing import (Any, Dict, List, Literal, Mapping, Optional, Sequence, Tuple, TypedDict,
                    Union, overload)

import numpy as np
import numpy.typing as npt

__version__: str

InputValue = Union[float, int, bool, str]
FloatArray = npt.NDArray[np.float64]
IntArray = npt.NDArray[np.int64]

class InputError(ValueError):
    """A refused input: the message names the key and the rule."""

    key: str

class SolverError(RuntimeError):
    """The solver found no converged result; the message says which limit was reached."""

class Text(TypedDict):
    zh: str
    en: str

class FieldDescription(TypedDict, total=False):
    key: str
    field: str
    role: str  # "input", "output" or "linked"
    kind: str  # "number", "choice", "curve" or "map"
    caption: Text
    unit: str
    to_si: float
    format: str
    default: str
    min: Optional[float]
    max: Optional[float]
    required: bool
    choices: List[str]

class CalculatorDescription(TypedDict):
    id: str
    title: Text
    page: str
    tab: int
    inputs: List[FieldDescription]
    outputs: List[FieldDescription]

class OutputEntry(TypedDict):
    value: Union[float, FloatArray]
    unit: str
    text: str

class Notice(TypedDict):
    key: str
    text: str
    zh: str
    en: str

class RunResult(TypedDict):
    calculator: str
    inputs: Dict[str, Union[float, str]]
    outputs: Dict[str, OutputEntry]
    notices: List[Notice]

class ModeSet(TypedDict):
    m: IntArray
    n: IntArray
    neff: FloatArray
    beta: FloatArray
    v: float
    mode_count: int

class TmiResult(TypedDict):
    p_th_w: float
    chi_max_per_w: float
    peak_shift_khz: float
    v: float
    shift_khz: FloatArray
    chi_per_w: FloatArray
    power_w: FloatArray
    xi: FloatArray

def calculators() -> List[CalculatorDescription]:
    """Descriptions of every calculator, in page and tab order."""

def describe(id: str) -> CalculatorDescription:
    """The description of one calculator."""

def run(id: str, **inputs: InputValue) -> RunResult:
    """Evaluate one calculator; missing inputs take the page defaults."""

def set_cost_limit(
    *, seconds: Optional[float] = None, memory_gb: Optional[float] = None
) -> Dict[str, float]:
    """Limit on the estimated time and memory of one run or sweep (60 s, 2 GB by default)."""

# A pandas.DataFrame (pandas is optional: python3-pandas).
DataFrame = Any

class SweepResult(Dict[str, Any]):
    """{output key: array shaped by the swept lengths, "refused": [(index, notice)]}."""

    calculator: str
    swept: Dict[str, FloatArray]  # each swept key's values, in grid order
    units: Dict[str, str]  # swept keys and outputs
    notices: List[str]  # one per point in grid order, "" for none
    def to_frame(self) -> DataFrame:
        """One row per point: a column per swept key and output, "notice"; units in df.attrs."""

@overload
def sweep(
    id: str,
    swept: Mapping[str, Union[Sequence[InputValue], npt.ArrayLike]],
    outputs: Optional[Sequence[str]] = None,
    threads: Optional[int] = None,
    frame: Literal[False] = False,
    **fixed: InputValue,
) -> SweepResult:
    """Evaluate a calculator over every combination of the swept inputs.

    Returns one float64 array per output (shape: the swept lengths in order)
    and "refused": a list of (index tuple, notice) of the refused points.
    """

@overload
def sweep(
    id: str,
    swept: Mapping[str, Union[Sequence[InputValue], npt.ArrayLike]],
    outputs: Optional[Sequence[str]] = None,
    threads: Optional[int] = None,
    frame: Literal[True] = ...,
    **fixed: InputValue,
) -> DataFrame:
    """The same sweep as a pandas DataFrame (SweepResult.to_frame())."""

def to_frame(result: Union[RunResult, SweepResult]) -> DataFrame:
    """A run() or sweep() result as a pandas DataFrame; units in df.attrs["units"]."""

def modes(a_um: float, lambda_nm: float, n1: float, n2: float, samples: int = 10000) -> ModeSet:
    """Guided LP modes of a step-index fiber (the fiber-mode page's grid solver)."""

def field_map(
    a_um: float,
    lambda_nm: float,
    n1: float,
    n2: float,
    m: int = 0,
    n: int = 1,
    kind: str = "intensity",
    orientation: str = "E",
) -> FloatArray:
    """One 501 x 501 grid of mode LP_mn: intensity, amplitude or phase, orientation E or O."""

def tmi_threshold(
    *,
    a_um: float = 15.0,
    doped_um: float = 15.0,
    b_um: float = 200.0,
    n1: float = 1.45,
    na: float = 0.06,
    lambda_s_nm: float = 1064.0,
    lambda_p_nm: float = 975.0,
    h_w_m2k: float = 1000.0,
    dndt_k: float = 1.21e-05,
    kappa_w_mk: float = 1.4,
    rho_c_j_m3k: float = 1670000.0,
    eta0: float = 0.01,
    rin: float = 1e-13,
    p0_w: float = 10.0,
) -> TmiResult:
    """Threshold of transverse mode instability (the mode-instability page's model)."""

# Present when the build's catalogue has modes.exact / amp.steady_state:
# {output key: float or array} of that calculator, inputs by its keys.
def exact_modes(**inputs: InputValue) -> Dict[str, Union[float, FloatArray]]:
    """Every guided LP mode solved exactly, with its properties (modes.exact)."""

def amplifier(**inputs: InputValue) -> Dict[str, Union[float, FloatArray]]:
    """Steady state of the Yb fiber amplifier or laser (amp.steady_state)."""
